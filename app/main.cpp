#include <QApplication>

#include "app/Unit1.h"
#include "platform/Process.h"

int main(int argc, char* argv[]) {
  platform::IgnoreFileSizeSignal();
  QApplication app(argc, argv);
  QApplication::setApplicationName("Quib Configurator");
  TForm1 form;
  if (!form.FormCreate()) return 0;
  form.show();
  return QApplication::exec();
}
