#F2    x	   y	endx	endy	class     	name      
      10	  10	  60	  40	APP       	          
     100	  10	 160	  40	xwin1     	main_w    
     100	  60	 160	  90	xwin2     	sub_w     
#L2 from	  to	name      
       0	   1	FORM
       0	   2	FORM
       0	   1	SW_SHOWNORMAL
       0	   2	SW_SHOWNORMAL
#P1       
- - Y


