; Every kind of gadget once, with items and columns, as a form designer writes it.
Enumeration
  #Window_All
EndEnumeration
Enumeration
  #Button_0 : #ButtonImage_0 : #Calendar_0 : #Canvas_0 : #CheckBox_0 : #ComboBox_0
  #Container_0 : #Date_0 : #Editor_0 : #ExplorerCombo_0 : #ExplorerList_0 : #ExplorerTree_0
  #Frame_0 : #HyperLink_0 : #Image_0 : #IPAddress_0 : #ListIcon_0 : #ListView_0 : #OpenGL_0
  #Option_0 : #Option_1 : #Panel_0 : #ProgressBar_0 : #Scintilla_0 : #ScrollArea_0
  #ScrollBar_0 : #Shortcut_0 : #Spin_0 : #Splitter_0 : #String_0 : #Text_0 : #TrackBar_0
  #Tree_0 : #Web_0 : #StatusBar_0 : #Split_Left : #Split_Right : #InPanel_0 : #InArea_0
EndEnumeration

Procedure OpenWindow_All(x = 0, y = 0, width = 980, height = 640)
  OpenWindow(#Window_All, x, y, 980, 640, "Every gadget", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)
  CreateStatusBar(#StatusBar_0, WindowID(#Window_All))
  ButtonGadget(#Button_0, 10, 10, 120, 28, "Button")
  ButtonImageGadget(#ButtonImage_0, 140, 10, 60, 28, 0)
  CheckBoxGadget(#CheckBox_0, 210, 10, 120, 24, "Check box")
  OptionGadget(#Option_0, 340, 10, 100, 24, "Option A")
  OptionGadget(#Option_1, 440, 10, 100, 24, "Option B")
  TextGadget(#Text_0, 10, 48, 120, 24, "Text gadget")
  StringGadget(#String_0, 140, 45, 190, 30, "String gadget")
  IPAddressGadget(#IPAddress_0, 340, 45, 200, 30)
  HyperLinkGadget(#HyperLink_0, 550, 48, 150, 24, "Hyperlink", $FF0000)
  ComboBoxGadget(#ComboBox_0, 10, 85, 190, 32)
  AddGadgetItem(#ComboBox_0, -1, "First entry")
  AddGadgetItem(#ComboBox_0, -1, "Second entry")
  ExplorerComboGadget(#ExplorerCombo_0, 210, 85, 190, 32, "/")
  DateGadget(#Date_0, 410, 85, 160, 32, "%yyyy-%mm-%dd", 1700000000)
  SpinGadget(#Spin_0, 580, 85, 120, 32, 0, 100)
  TrackBarGadget(#TrackBar_0, 710, 10, 250, 40, 0, 100)
  ProgressBarGadget(#ProgressBar_0, 710, 60, 250, 20, 0, 100)
  ScrollBarGadget(#ScrollBar_0, 710, 90, 250, 18, 0, 100, 10)
  ShortcutGadget(#Shortcut_0, 710, 115, 250, 30, 0)
  ListViewGadget(#ListView_0, 10, 125, 190, 120)
  AddGadgetItem(#ListView_0, -1, "List view item 1")
  AddGadgetItem(#ListView_0, -1, "List view item 2")
  ListIconGadget(#ListIcon_0, 210, 125, 300, 120, "Name", 150)
  AddGadgetColumn(#ListIcon_0, 1, "Size", 100)
  AddGadgetItem(#ListIcon_0, -1, "readme.txt")
  AddGadgetItem(#ListIcon_0, -1, "notes.txt")
  TreeGadget(#Tree_0, 520, 155, 180, 120)
  AddGadgetItem(#Tree_0, -1, "Tree node")
  EditorGadget(#Editor_0, 710, 155, 250, 90)
  AddGadgetItem(#Editor_0, -1, "Editor gadget line")
  CalendarGadget(#Calendar_0, 10, 255, 250, 190, 1700000000)
  CanvasGadget(#Canvas_0, 270, 255, 120, 90)
  ImageGadget(#Image_0, 400, 255, 110, 90, 0)
  OpenGLGadget(#OpenGL_0, 520, 285, 180, 100)
  FrameGadget(#Frame_0, 710, 255, 250, 130, "Frame gadget")
  WebGadget(#Web_0, 720, 280, 230, 95, "https://www.example.org")
  ExplorerTreeGadget(#ExplorerTree_0, 270, 355, 240, 120, "/")
  ExplorerListGadget(#ExplorerList_0, 520, 395, 180, 80, "/")
  ContainerGadget(#Container_0, 10, 455, 250, 100, #PB_Container_Raised)
    PanelGadget(#Panel_0, 5, 5, 235, 85)
      AddGadgetItem(#Panel_0, -1, "Panel tab")
      TextGadget(#InPanel_0, 10, 10, 150, 24, "On the panel")
    CloseGadgetList()
  CloseGadgetList()
  ScrollAreaGadget(#ScrollArea_0, 270, 485, 240, 90, 600, 400, 10)
    ButtonGadget(#InArea_0, 10, 10, 150, 28, "In the scroll area")
  CloseGadgetList()
  ListViewGadget(#Split_Left, 0, 0, 0, 0)
  ScintillaGadget(#Scintilla_0, 0, 0, 0, 0, 0)
  SplitterGadget(#Splitter_0, 520, 485, 440, 90, #Split_Left, #Scintilla_0, #PB_Splitter_Vertical)
EndProcedure
