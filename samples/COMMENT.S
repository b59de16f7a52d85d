/* The COMMENT box: its text and how the FORM screen draws it. */
struct COMMENT {
	char *text;
	char *style;
};
