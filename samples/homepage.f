#F2    x	   y	endx	endy	class     	name      
      20	  20	 120	  44	HTML      	          
      20	  50	 120	  74	TAG       	html      
     130	  80	 230	 104	TAG       	head      
     240	 110	 340	 134	TAG       	meta      
     240	 140	 340	 164	TAG       	title     
     350	 170	 450	 194	STRING    	          
     130	 200	 230	 224	TAG       	body      
     240	 230	 340	 254	TAG       	h1        
     350	 260	 450	 284	STRING    	          
     240	 290	 340	 314	COMMENT   	          
     240	 320	 340	 344	TAG       	p         
     240	 350	 340	 374	TAG       	ul        
     350	 380	 450	 404	TAG       	li        
     460	 410	 560	 434	STRING    	          
     350	 440	 450	 464	TAG       	li        
     460	 470	 560	 494	STRING    	          
     240	 500	 340	 524	TAG       	form      
     350	 530	 450	 554	TAG       	input     
     350	 560	 450	 584	TAG       	input     
     240	 590	 340	 614	TAG       	pre       
     240	 620	 340	 644	TAG       	script    
     350	 650	 450	 674	BOX       	check     
     460	 680	 560	 704	STRING    	          
     240	 710	 340	 734	TAG       	text      
#L2 from	  to	name      
       1	   2	on_set    
       2	   3	on_set    
       2	   4	on_set    
       4	   5	on_set    
       1	   6	on_set    
       6	   7	on_set    
       7	   8	on_set    
       6	   9	on_set    
       6	  10	on_set    
       6	  11	on_set    
      11	  12	on_set    
      12	  13	on_set    
      11	  14	on_set    
      14	  15	on_set    
       6	  16	on_set    
      16	  17	on_set    
      16	  18	on_set    
       6	  19	on_set    
       6	  20	on_set    
      20	  21	on_set    
      21	  22	on_set    
       6	  23	on_set    
      17	  21	onchange  
       0	  21	onload    
#P1       
- - JScript
ja

Content-Type "text/html; charset=Shift_JIS"

"VOKTAVIR 見本ページ"


売上一覧
"フォームから生成した見本"
homepage.txt intro


"東京 120"

"大阪 95"
order.asp post
text item
submit omit omit omit 送信
homepage.txt code
omit omit JScript

"return true;"
homepage.txt notes add
