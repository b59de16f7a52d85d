#F2    x	   y	endx	endy	class     	name      
      10	  20	 100	 200	WORK      	top       
       1	   2	   3	   4	BOX       	n_m       

#L1
ANY 0 1
#L2 from	  to	name      
       0	   1	on_set    
#P1       
w "cap tion" 1

