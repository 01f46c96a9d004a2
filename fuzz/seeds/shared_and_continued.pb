TextGadget(#T1, 10, 10, 80, 20, "t") : StringGadget(#S1, 100, 10, 80, 20, "s") ; both
StringGadget(#S, 10, 50,  ; where
		200, 25, "s",
   #PB_String_Password |
   #PB_String_ReadOnly)
MyButtonGadget(#X, 1, 2, 3, 4, "mine") : Mod::ButtonGadget(#Y, 1, 2, 3, 4, "m")
; a comment   with a paragraph separator
SplitterGadget(#Sp, 0, 0, 100, 100, ButtonGadget(#B1, 0, 0, 1, 1, "a"), ButtonGadget(#B2, 0, 0, 1, 1, "b"))
ButtonGadget(#PB_Any, width - 110, height - 45, #Margin + 4, $1F, ~"Find \"all\"")
CalendarGadget(#C, 10, 50, 200, 140)
