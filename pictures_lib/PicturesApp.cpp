#include "pictures_lib/PicturesApp.h"

CPicturesApp* CPicturesApp::pPicturesApp = nullptr;

CPicturesApp::CPicturesApp()
{
    pPicturesApp = this;
}

CPicturesApp::~CPicturesApp()
{
    pPicturesApp = nullptr;
}

namespace {
CPicturesApp theApp;
}
