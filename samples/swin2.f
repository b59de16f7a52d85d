#F2    x	   y	endx	endy	class     	name      
       0	   0	 300	 200	FORM      	          
      10	  10	 110	  40	BUTTON    	b2        
      10	  50	 210	  74	EDIT      	e2        
#L2 from	  to	name      
#P1       
- ÉTÉuâÊñ  - CENTERING CENTERING 300 200
ï¬Ç∂ÇÈ WS_CHILD|WS_VISIBLE|BS_PUSHBUTTON
ÉÅÉÇ WS_CHILD|WS_VISIBLE|WS_BORDER
