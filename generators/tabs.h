// Leading-tab count of a source line, the indentation unit of generated sources.
#ifndef VOK_GENERATORS_TABS_H
#define VOK_GENERATORS_TABS_H

int count_tabs(const char *line);

#endif
