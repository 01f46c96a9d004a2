; Containers inside panels inside containers, and a splitter of two lists.
Enumeration
  #Window_Nested
  #Outer : #Panel : #General : #Name_Label : #Name : #Inner : #Inner_Check
  #Advanced : #Area : #Area_Button : #Area_Frame : #Footer : #Left : #Right : #Split
  #OK : #Cancel
EndEnumeration

OpenWindow(#Window_Nested, 0, 0, 600, 460, "Nested gadget lists", #PB_Window_SystemMenu)
ContainerGadget(#Outer, 10, 10, 580, 260)
  PanelGadget(#Panel, 10, 10, 555, 235)
    AddGadgetItem(#Panel, -1, "General")
      TextGadget(#Name_Label, 10, 15, 80, 24, "Name:")
      StringGadget(#Name, 100, 10, 200, 30, "")
      ContainerGadget(#Inner, 10, 60, 300, 120, #PB_Container_Single)
        CheckBoxGadget(#Inner_Check, 10, 10, 200, 24, "Inside two containers")
      CloseGadgetList()
    AddGadgetItem(#Panel, -1, "Advanced")
      ScrollAreaGadget(#Area, 10, 10, 300, 150, 800, 600, 20)
        ButtonGadget(#Area_Button, 20, 20, 160, 30, "Deep in the area")
        FrameGadget(#Area_Frame, 20, 70, 250, 60, "Frame in the area")
      CloseGadgetList()
  CloseGadgetList()
CloseGadgetList()
ListViewGadget(#Left, 0, 0, 0, 0)
AddGadgetItem(#Left, -1, "Left pane")
ListViewGadget(#Right, 0, 0, 0, 0)
AddGadgetItem(#Right, -1, "Right pane")
SplitterGadget(#Split, 10, 280, 580, 120, #Left, #Right, #PB_Splitter_Vertical | #PB_Splitter_Separator)
ButtonGadget(#OK, 400, 415, 90, 30, "OK")
ButtonGadget(#Cancel, 500, 415, 90, 30, "Cancel")
