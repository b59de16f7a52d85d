#F2    x	   y	endx	endy	class     	name      
      10	  22	 100	  42	PROJ      	sales     
     170	  22	 260	  42	FUNC      	main      
     170	  62	 260	  82	FUNC      	read_data 
     170	 102	 260	 122	FUNC      	report    
     330	  62	 420	  82	BOX       	table     
     330	 102	 420	 122	ITEM      	total     
      20	  55	 120	  90	COMMENT   	          
      20	  97	 130	 122	COMMENT   	          
     480	  22	 580	  42	STRING    	          
#L2 from	  to	name      
       0	   1	on_set
       1	   2	call
       1	   3	call
       2	   4	SET
       3	   5	read
       4	   5	under_pos
       4	   8	to_right_arrow
#P1       






"売上集計" Ellipse
"帳票出力" Center
"見出し"
