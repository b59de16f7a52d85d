struct COMMENT comment_values = {
	"コメント",        // 枠の中の文字
	Center +           // 中央に寄せる
	TopLeft +          // 左上に寄せる
	TopCenter +        // 上の中央に寄せる
	TopRight +         // 右上に寄せる
	BottomLeft +       // 左下に寄せる
	BottomCenter +     // 下の中央に寄せる
	BottomRight +      // 右下に寄せる
	Ellipse,           // 楕円で囲む
};
