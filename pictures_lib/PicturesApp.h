#pragma once
// The library's application object: one instance, made when the library is
// loaded. Its address is exported as CPicturesApp::pPicturesApp; the theme
// itself is only the name functions and the pictures.

class CPicturesApp {
public:
    CPicturesApp();
    ~CPicturesApp();
    CPicturesApp(const CPicturesApp&) = delete;
    CPicturesApp& operator=(const CPicturesApp&) = delete;

    // The one application object, set by its constructor.
    __declspec(dllexport) static CPicturesApp* pPicturesApp;
};
