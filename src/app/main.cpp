// The program: the Qt application, then the application object.
#include <QApplication>

#include <string>
#include <vector>

#include "shell/app.h"
#include "shell/file_commands.h"
#include "ui/wnd/prompt.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  AfxSetAppName("PX417");
  std::vector<std::string> words;
  for (int i = 1; i < argc; ++i) words.emplace_back(argv[i]);
  InstallCloseRequests();
  InstallLinkDialogs();
  CMainApp app(std::move(words));
  app.InitInstance();
  return 0;
}
