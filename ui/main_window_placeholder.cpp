// main_window_placeholder.cpp: stands in until the main window lands.
int wirangga_ui_placeholder = 0;
