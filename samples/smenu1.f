#F2    x	   y	endx	endy	class     	name      
       0	   0	  50	  20	SMENU     	          
       0	  30	  50	  40	MENUA     	m_open    
      60	  35	  70	  40	MENUK     	          
       0	  50	  50	  60	MENUG     	          
       0	  70	  50	  80	MENUA     	m_save    
      60	  75	  70	  80	MENUM     	          
       0	  90	  50	 100	MENUD     	SC_CLOSE  
     100	  30	 150	  40	do_open   	          
     100	  50	 150	  60	do_log    	          
     100	  70	 150	  80	do_save   	          
#L2 from	  to	name      
       1	   7	CALL
       1	   8	CALL
       4	   9	CALL
#P1       

ŠJ‚­(&O)
MF_CHECKED

•Û‘¶(&S)
MF_GRAYED




