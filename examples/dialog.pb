; A small login dialog, as a form designer writes it.
Enumeration
  #Window_Login
EndEnumeration
Enumeration
  #Text_User
  #String_User
  #Text_Password
  #String_Password
  #CheckBox_Remember
  #Button_OK
  #Button_Cancel
EndEnumeration

Procedure OpenWindow_Login(x = 0, y = 0, width = 320, height = 170)
  OpenWindow(#Window_Login, x, y, width, height, "Log in", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)
  TextGadget(#Text_User, 10, 15, 90, 20, "User name:")
  StringGadget(#String_User, 110, 10, 200, 25, "")
  TextGadget(#Text_Password, 10, 50, 90, 20, "Password:")
  StringGadget(#String_Password, 110, 45, 200, 25, "", #PB_String_Password)
  CheckBoxGadget(#CheckBox_Remember, 110, 80, 200, 20, "Remember me") ; off by default
  ButtonGadget(#Button_OK, 120, 130, 90, 28, "OK", #PB_Button_Default)
  ButtonGadget(#Button_Cancel, 220, 130, 90, 28, "Cancel")
EndProcedure
