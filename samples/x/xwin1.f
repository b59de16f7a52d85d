#F2    x	   y	endx	endy	class     	name      
       0	   0	 330	 230	FORM      	          
       0	   0	 320	 220	BOARD     	board     
      10	  10	 210	  40	LABEL     	title     
      10	  60	  90	  90	PUSH      	ok        
     100	  60	 180	  90	PUSH      	quit      
     340	  10	 350	  20	REPEAT    	          
      10	 110	  70	 140	PUSH      	cell      
     340	  40	 350	  50	on_ok     	          
     340	  60	 350	  70	on_press  	          
     340	  80	 350	  90	on_cell   	          
     250	 110	 300	 140	POSI      	where     
#L2 from	  to	name      
       1	   2	on_set
       1	   3	on_set
       1	   4	on_set
       1	   6	on_set
       1	  10	on_set
       5	   6	SET
       3	   7	XmNactivateCallback
       4	   7	XmNactivateCallback
       2	   8	ButtonPressMask
       6	   9	XmNactivateCallback
#P1       
- ÉÅÉCÉìâÊñ  - 0 0 320 220
x y w h
"VOKTAVIR X sample" FONTLIST_DEFAULT_TAG_STRING x y w h
OK FONTLIST_DEFAULT_TAG_STRING x y w h
Quit FONTLIST_DEFAULT_TAG_STRING x y w h
2 2 4 4
Cell FONTLIST_DEFAULT_TAG_STRING x y w h




