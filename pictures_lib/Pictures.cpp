// The names of the theme. The exports are plain C functions, listed by name
// in Pictures.def so that neither architecture decorates them.

extern "C" {

// English name.
const char* e()
{
    return "Kestrel pictures";
}

// Russian name in code page 1251: "Иллюстрации Kestrel".
const char* r()
{
    return "\xC8\xEB\xEB\xFE\xF1\xF2\xF0\xE0\xF6\xE8\xE8 Kestrel";
}

} // extern "C"
