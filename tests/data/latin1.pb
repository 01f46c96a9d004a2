OpenWindow(#W, 0, 0, 300, 200, "Latin-1 café", #PB_Window_SystemMenu)
ButtonGadget(#B, 10, 10, 120, 30, "Grüße")
TextGadget(#T, 10, 50, 200, 20, "© 1999 µs")
