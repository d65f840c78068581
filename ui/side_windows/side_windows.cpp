// side_windows.cpp: placeholder until the side windows land.
#include "side_windows.h"

#include "dialogs.h"

struct SideWindows::Impl {
  SideWindowHost host;
};

SideWindows::SideWindows(SideWindowHost host, Dialogs&) : impl_(std::make_unique<Impl>(Impl{std::move(host)})) {}
SideWindows::~SideWindows() = default;
void SideWindows::ShowForm2() {}
void SideWindows::ShowForm3() {}
void SideWindows::ShowAbout() {}
void SideWindows::CloseForm2() {}
void SideWindows::CloseAbout() {}
QWidget* SideWindows::Form2Window() const { return nullptr; }
QWidget* SideWindows::Form3Window() const { return nullptr; }
QWidget* SideWindows::AboutWindow() const { return nullptr; }
