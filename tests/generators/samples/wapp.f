#F2    x	   y	endx	endy	class     	name      
      10	  10	  60	  40	APP       	          
     100	  10	 160	  40	swin1     	w_main    
     100	  60	 160	  90	swin2     	w_sub     
      10	  60	  60	  90	p_init    	          
      10	 110	  60	 140	p_before  	          
      10	 160	  60	 190	p_after   	          
#L2 from	  to	name      
       0	   1	FORM
       0	   2	FORM
       0	   3	INITIAL
       0	   4	BEFORE
       0	   5	AFTER
       0	   1	SW_SHOWNORMAL
       0	   2	SW_SHOWNORMAL
       1	   2	CHILD
#P1       
- - N





