#F2    x	   y	endx	endy	class     	name      
      10	  10	  60	  30	WORK      	          
      10	  50	  60	  70	SOURCE    	src       
      80	  50	 140	  70	PROC      	WinMain   
      80	  90	 140	 110	PROC      	Win1Proc  
     160	  90	 230	 110	WM        	WM_COMMAND
     250	  90	 300	 110	ID        	ok        
     250	 120	 300	 140	ID        	quit      
     250	 150	 300	 170	DEFAULT   	          
     160	 190	 230	 210	WM        	WM_SIZE   
     160	 220	 230	 240	WM        	WM_SYSCOMMAND
     250	 220	 300	 240	ID        	m_open    
     160	 250	 230	 270	WM        	WM_DESTROY
      80	 290	 140	 310	PROC      	Win2Proc  
     160	 290	 230	 310	WM        	WM_PAINT  
#L2 from	  to	name      
       1	   2	on_set
       1	   3	on_set
       3	   4	on_set
       4	   5	on_set
       4	   6	on_set
       4	   7	on_set
       3	   8	on_set
       3	   9	on_set
       9	  10	on_set
       3	  11	on_set
       1	  12	on_set
      12	  13	on_set
#P1       

work.c
- wapp.f
- swin1.f








- swin2.f

