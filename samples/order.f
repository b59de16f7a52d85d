#F2    x	   y	endx	endy	class     	name      
      20	  20	 120	  44	HTML      	          
      20	  50	 120	  74	TAG       	html      
     130	  80	 230	 104	TAG       	head      
     240	 110	 340	 134	TAG       	title     
     350	 140	 450	 164	STRING    	          
     130	 170	 230	 194	TAG       	body      
     240	 200	 340	 224	TAG       	%         
     350	 230	 450	 254	STRING    	          
     350	 260	 450	 284	STRING    	          
     240	 290	 340	 314	TAG       	p         
     350	 320	 450	 344	STRING    	          
#L2 from	  to	name      
       1	   2	on_set    
       2	   3	on_set    
       3	   4	on_set    
       1	   5	on_set    
       5	   6	on_set    
       6	   7	on_set    
       6	   8	on_set    
       5	   9	on_set    
       9	  10	on_set    
#P1       
- - JScript
ja


íçï∂éÛït


"var n = Request.Form(\"item\");"
"Response.Write(n);"

Ç≤íçï∂Ç†ÇËÇ™Ç∆Ç§Ç≤Ç¥Ç¢Ç‹ÇµÇΩÅB
