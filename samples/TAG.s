struct html {
	key lang;
};
struct meta {
	key http-equiv;
	key content;
};
struct form {
	key action;
	key method;
};
struct input {
	key type;
	key name;
	option checked;
	kind single;
	key value;
};
struct p {
	file src;
	section part;
};
struct pre {
	file src;
	section part;
};
struct script {
	file src;
	section part;
	lang language;
};
struct text {
	file src;
	section part;
	mode add;
};
