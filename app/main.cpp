#include "app/program_entry.h"
#include "framework/t_application.h"

int main(int argc, char* argv[]) {
  return framework::RunProgram(argc, argv, OwlMain);
}
