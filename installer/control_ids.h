#pragma once
// Identifiers of the installer window's controls; its tests find the
// controls by them.
namespace instavo {

inline constexpr wchar_t FormClassName[] = L"TForm1";

enum ControlId : int {
  Label7 = 100,
  Label1,
  DirectoryEdit1,  // the folder box: its text and its browse button
  DirectoryEdit1Text,
  DirectoryEdit1Button,
  ListBox1,
  GroupBox1,
  Label5,
  ComboBox3,  // model
  Label6,
  ComboBox4,  // interface
  PageControl1,
  TabSheet1,  // serial port page
  Label2,
  ComboBox1,  // port
  Label3,
  ComboBox2,  // speed
  TabSheet3,  // TCP/IP page, its tab hidden
  Label8,
  Edit1,
  Label9,
  Edit2,
  Label4,  // status line
  ProgressBar1,
  Button2,  // "Инсталлировать"
  Button1,  // "Закрыть"
};

}  // namespace instavo
