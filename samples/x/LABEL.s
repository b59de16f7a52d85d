struct LABEL {
	XmString XmNlabelString;
	char CharSet;
	Position XmNx;
	Position XmNy;
	Dimension XmNwidth;
	Dimension XmNheight;
};
