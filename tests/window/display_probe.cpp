// Test helper: shows the installer's window through the display this
// machine offers, says "painted" on standard output, waits for a line on
// standard input, then shows the stamp-conflict message box and ends with
// the status that errore gives.

#include <iostream>
#include <string>

#include "app/form1.h"
#include "platform/display.h"

int main() {
  using scenario::app::Form1;
  auto display = scenario::platform::make_display();
  Form1 form(*display, ".");
  display->show_window(Form1::layout());
  display->repaint();
  std::cout << "painted" << std::endl;
  std::string line;
  std::getline(std::cin, line);
  return form.errore("1250");
}
