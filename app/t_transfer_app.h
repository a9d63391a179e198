// The application object: builds the main frame around TTransferWindow.
#pragma once

#include "framework/t_application.h"

class TTransferApp : public framework::TApplication {
 public:
  TTransferApp();
  ~TTransferApp() override;

 protected:
  void InitMainWindow() override;
};
