OpenWindow(#W, 0, 0, 320, 200, "Extreme positions")
ButtonGadget(#B, 2147483647, 2147483647, 2147483647, 2147483647, "far")
ButtonGadget(#C, -2147483648, -2147483648, 40, 20, "before")
StringGadget(#S, 10, 50,
  200, 25, "continued") ;       
