#F2    x	   y	endx	endy	class     	name      
       0	   0	 210	 130	FORM      	          
       0	   0	 200	 120	BOARD     	pane      
      10	  10	 190	  40	LABEL     	note      
      10	  50	  90	  80	PUSH      	close     
     220	  10	 230	  20	on_close  	          
#L2 from	  to	name      
       1	   2	on_set
       1	   3	on_set
       3	   4	XmNactivateCallback
#P1       
- ƒTƒu‰æ–Ê - 0 0 200 120
x y w h
Sub-window FONTLIST_DEFAULT_TAG_STRING x y w h
Close FONTLIST_DEFAULT_TAG_STRING x y w h

