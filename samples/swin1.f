#F2    x	   y	endx	endy	class     	name      
       0	   0	 420	 300	FORM      	          
      10	  10	  90	  40	BUTTON    	ok        
      10	  50	 170	  74	EDIT      	name      
     180	  50	 260	  74	STATIC    	label     
      10	  84	 130	 160	LISTBOX   	items     
     140	  84	 260	 200	COMBOBOX  	kinds     
     270	  10	 290	 160	SCRBAR    	bar       
     300	 200	 310	 210	REPEAT    	          
      10	 210	  50	 234	BUTTON    	cell      
     100	  10	 180	  40	BUTTON    	quit      
     320	  10	 330	  20	FONT      	big       
     320	  30	 330	  40	TABSTOP   	          
     320	  50	 330	  60	STOCKOBJ  	          
     340	  10	 350	  20	on_size   	          
     340	  30	 350	  40	on_ok     	          
     340	  50	 350	  60	on_change 	          
     340	  70	 350	  80	on_cell   	          
     340	  90	 350	 100	on_quit   	          
     340	 110	 350	 120	smenu1    	          
#L2 from	  to	name      
       0	  13	WM_SIZE
       0	  18	SMENU
       1	  14	WM_COMMAND
       2	  15	EN_CHANGE
       7	   8	SET
       8	  16	WM_COMMAND
       9	  17	WM_COMMAND
      10	   2	SET
      11	   1	SET
      11	   2	SET
      12	   0	GRAY_BRUSH
#P1       
- メイン画面 - 10 10 420 300
了解 WS_CHILD|WS_VISIBLE|BS_PUSHBUTTON
"山田 太郎" WS_CHILD|WS_VISIBLE|WS_BORDER
表示 WS_CHILD|WS_VISIBLE
"" WS_CHILD|WS_VISIBLE|WS_BORDER|LBS_NOTIFY
"" WS_CHILD|WS_VISIBLE|CBS_DROPDOWNLIST
"" WS_CHILD|WS_VISIBLE|SBS_VERT
3 2 4 4
セル WS_CHILD|WS_VISIBLE|BS_PUSHBUTTON
終了 WS_CHILD|WS_VISIBLE|BS_PUSHBUTTON
20 0 0 0 700 0 0 0 SHIFTJIS_CHARSET 0 0 0 0 "ＭＳ ゴシック"








