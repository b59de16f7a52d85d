#F2    x	   y	endx	endy	class	name
      10	  20	 100	  60	WINDOW	main
      20	  30	  60	  50	BUTTON	ok
#L2 from	  to	name
       0	   1	bottom_connect
#P1
title=Žå‰æ–Ê
label=‚n‚j
