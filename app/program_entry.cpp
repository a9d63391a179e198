#include "app/program_entry.h"

#include "app/t_transfer_app.h"

// The program takes no arguments.
int OwlMain(int /*argc*/, char* /*argv*/[]) {
  TTransferApp app;
  return app.Run();
}
