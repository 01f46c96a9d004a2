TextGadget(#T, 10, 10, 100, 20, "Hi") ; note (see above)
ButtonGadget(#B, 10, 40, 100, 25, "a, b")
TextGadget(#T, 10, 10, 100, 20, Label$)
OpenWindow(#W, 0, 0, 300, 200, Title$ + " v2")
TextGadget_1 = TextGadget(#PB_Any, 1, 2, 3, 4, "x")
If OpenWindow(#W,0,0,300,200,"T") : ButtonGadget(#B,1,2,3,4,"OK") : EndIf
Define s$ = "a;b" : ButtonGadget(#B, 1, 2, 3, 4, "OK")
ButtonGadget(#B, 1, 2, 3, 4, ~"say \"hi\"", #F) ; (c)
ImageGadget(#I, 0, 0, 10, 10, ImageID(#Img), RGB(1, 2, 3), extra)
ButtonGadget(#B, 1, 2, 3, "open
DateGadget(#D, 1, 2, 3, 4, "", #PB_Date_UpDown ; (unclosed
AddGadgetItem(#L, -1, "Tab (one), two")
