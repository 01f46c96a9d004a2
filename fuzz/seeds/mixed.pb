If OpenWindow(0,0,0,9,9,"T") : ButtonGadget(1,2,3,4,5,"B") ; c (x)
	AddGadgetItem(#L, -1, "a)b")CloseGadgetList()
; ButtonGadget(1)
x = (1) + ImageGadget(1