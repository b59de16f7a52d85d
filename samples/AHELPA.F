#F2    x	   y	endx	endy	class     	name      
      10	  22	 560	  46	COMMENT   	          
      10	  54	 560	  78	COMMENT   	          
      10	  86	 560	 110	COMMENT   	          
      10	 118	 560	 142	COMMENT   	          
      10	 150	 560	 174	COMMENT   	          
      10	 182	 560	 206	COMMENT   	          
      10	 214	 560	 238	COMMENT   	          
      10	 246	 560	 270	COMMENT   	          
      10	 278	 560	 302	COMMENT   	          
#L2 from	  to	name      
#P1       
"VOKTAVIR の使い方" Center
"カテゴリ欄にファイル名かパターンを入れ、[開く]で開きます" Center
"ソース(*.c 等)は解析して一覧画面に、*.f はフォーム画面に出します" Center
"*.vok は計算言語として実行し、結果をコード画面に出します" Center
"対象欄に関数名を入れ、システムメニューで定義や参照を検索します" Center
"主画面の欄外を左クリックするとファイルとプロジェクトの一覧" Center
"対象欄のプロジェクト名を選んで右クリックすると切り替えます" Center
"Enterキイでヘルプ表示、Appsキイで機能ボタンの頁をめくります" Center
"F1でパラメータ、F2でプロジェクトの設定画面を開きます" Center
