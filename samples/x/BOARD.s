struct BOARD {
	Position XmNx;
	Position XmNy;
	Dimension XmNwidth;
	Dimension XmNheight;
};
