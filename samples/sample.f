#F2    x	   y	endx	endy	class     	name      
      20	  20	 120	  50	PROJ      	sales     
     200	  20	 300	  50	FUNC      	main      
     200	  90	 300	 120	FUNC      	read_data 
     200	 160	 300	 190	FUNC      	report    
     380	  90	 480	 120	BOX       	table     
     380	 160	 480	 190	ITEM      	total     
      40	 120	 150	 170	COMMENT   	          
      40	 220	 160	 250	COMMENT   	          
     380	 230	 480	 260	STRING    	          
#L2 from	  to	name      
       0	   1	on_set
       1	   2	call
       1	   3	call
       2	   4	SET
       3	   5	read
       4	   5	under_pos
#P1       






"売上集計" Ellipse
"帳票出力" Center
"見出し"
