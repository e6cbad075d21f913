#include "CQuorexApp.h"

int main(int argc, char *argv[]) {
  CQuorexApp app(argc, argv);
  return app.Run();
}
