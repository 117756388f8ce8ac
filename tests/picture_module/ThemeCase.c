/* Theme libraries of the picture tests, one per case: the name functions of
   the case chosen at compile time; the pictures come from the case's .rc.
   Every case notes in the variable VERBS_THEME_CASES_RUN that its code ran,
   so a test can tell a library that was only looked at from one loaded to run. */
#include <windows.h>

#if defined(THEME_ALPINE)
#define CASE_NAME "alpine"
const char* e(void) { return "Mountain birds"; }
const char* r(void) { return "\xC3\xEE\xF0\xED\xFB\xE5 \xEF\xF2\xE8\xF6\xFB"; } /* Gornye ptitsy, cp1251 */
#elif defined(THEME_COAST)
#define CASE_NAME "coast"
const char* e(void) { return "Coast birds"; }
const char* r(void) { return "\xC1\xE5\xF0\xE5\xE3\xEE\xE2\xFB\xE5 \xEF\xF2\xE8\xF6\xFB"; } /* Beregovye ptitsy */
#elif defined(THEME_ONLY_E)
#define CASE_NAME "only_e"
const char* e(void) { return "Only English"; }
#elif defined(THEME_NO_PICTURES)
#define CASE_NAME "no_pictures"
const char* e(void) { return "No pictures"; }
const char* r(void) { return "No pictures"; }
#elif defined(THEME_WILD_NAMES)
/* r returns what VERBS_THEME_CASE_R asks for: "wild", a pointer to no
   memory; "edge", text without an end that runs into unreadable memory;
   "long", 5000 letters; anything else, a good name. VERBS_THEME_CASE_E
   changes the loaded library's exports in DllMain: "text" points e at text,
   "stray" points e's name outside the image. */
#define CASE_NAME "wild_names"
const char* e(void) { return "Wild names"; }
const char* r(void)
{
    char kind[8] = "";
    GetEnvironmentVariableA("VERBS_THEME_CASE_R", kind, sizeof kind);
    if (lstrcmpA(kind, "wild") == 0)
        return (const char*)16;
    if (lstrcmpA(kind, "edge") == 0 || lstrcmpA(kind, "long") == 0) {
        /* One page of letters; the rest of its allocation unit is reserved only. */
        char* page = (char*)VirtualAlloc(NULL, 8192, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        if (!page)
            return NULL;
        FillMemory(page, 8192, 'x');
        if (lstrcmpA(kind, "long") == 0) {
            page[5000] = 0;
            return page;
        }
        return page + 8192 - 8;
    }
    return "Wild names";
}
#elif defined(THEME_DATA_NAMES)
/* Both names exported as text instead of functions returning it. */
#define CASE_NAME "data_names"
const char e[] = "Data names";
const char r[] = "Data names";
#elif defined(THEME_FORWARDED_NAME)
/* e is forwarded to a system function that returns text (ForwardedE.def). */
#define CASE_NAME "forwarded_name"
const char* r(void) { return "Forwarded name"; }
#elif defined(THEME_HEADER_NAME)
/* e points into the library's headers: the library is linked at the fixed
   base 0x60000000 (CMakeLists.txt), so this address is offset 0x40. */
#define CASE_NAME "header_name"
#define STRING_OF(x) #x
#define LABEL_PREFIX(x) STRING_OF(x)
__asm__(".globl " LABEL_PREFIX(__USER_LABEL_PREFIX__) "e\n"
        ".set " LABEL_PREFIX(__USER_LABEL_PREFIX__) "e, 0x60000040\n");
const char* r(void) { return "Header name"; }
#elif defined(THEME_STRAY_NAME)
/* e and r are code, and a third exported name between them points outside
   the image: a lookup by name meets it on the way to either. The export
   directory is written here; the library is linked without one of the
   linker's (CMakeLists.txt). */
#define CASE_NAME "stray_name"
#define STRING_OF(x) #x
#define LABEL_PREFIX(x) STRING_OF(x)
#define LABEL(x) LABEL_PREFIX(__USER_LABEL_PREFIX__) #x
const char* e(void) { return "Stray name"; }
const char* r(void) { return "Stray name"; }
__asm__(".section .edata,\"dr\"\n"
        "    .long 0, 0\n"                          /* flags, time stamp */
        "    .short 0, 0\n"                         /* version */
        "    .rva stray_library\n"
        "    .long 1, 2, 3\n"                       /* ordinal base, functions, names */
        "    .rva stray_functions, stray_names, stray_ordinals\n"
        "stray_functions:\n"
        "    .rva " LABEL(e) ", " LABEL(r) "\n"
        "stray_names:\n"
        "    .rva stray_e\n"
        "    .long 0x7FFFFFF0\n"
        "    .rva stray_r\n"
        "stray_ordinals:\n"
        "    .short 0, 0, 1\n"
        "stray_library:\n"
        "    .asciz \"stray_name.dll\"\n"
        "stray_e:\n"
        "    .asciz \"e\"\n"
        "stray_r:\n"
        "    .asciz \"r\"\n"
        ".text\n");
#else
#error "no theme case chosen"
#endif

#if defined(THEME_WILD_NAMES)
/* Points the export of the name at the text instead, in the loaded library:
   what a look at the file showed is not what gets called. */
static void PointExportAt(HINSTANCE instance, const char* name, const void* text)
{
    BYTE* base = (BYTE*)instance;
    IMAGE_NT_HEADERS* nt = (IMAGE_NT_HEADERS*)(base + ((IMAGE_DOS_HEADER*)base)->e_lfanew);
    IMAGE_EXPORT_DIRECTORY* exports =
        (IMAGE_EXPORT_DIRECTORY*)(base + nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT].VirtualAddress);
    DWORD* names = (DWORD*)(base + exports->AddressOfNames);
    WORD* ordinals = (WORD*)(base + exports->AddressOfNameOrdinals);
    DWORD* functions = (DWORD*)(base + exports->AddressOfFunctions);
    DWORD i, old;
    for (i = 0; i < exports->NumberOfNames; ++i) {
        DWORD* entry = &functions[ordinals[i]];
        if (lstrcmpA((const char*)(base + names[i]), name) != 0 ||
            !VirtualProtect(entry, sizeof *entry, PAGE_READWRITE, &old))
            continue;
        *entry = (DWORD)((const BYTE*)text - base);
        VirtualProtect(entry, sizeof *entry, old, &old);
    }
}
static const char kNameAsText[] = "Name as text";

/* Points the exported name itself outside the image, in the loaded library:
   the system's lookup of the other name meets it on its way. */
static void StrayExportName(HINSTANCE instance, const char* name)
{
    BYTE* base = (BYTE*)instance;
    IMAGE_NT_HEADERS* nt = (IMAGE_NT_HEADERS*)(base + ((IMAGE_DOS_HEADER*)base)->e_lfanew);
    IMAGE_EXPORT_DIRECTORY* exports =
        (IMAGE_EXPORT_DIRECTORY*)(base + nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT].VirtualAddress);
    DWORD* names = (DWORD*)(base + exports->AddressOfNames);
    DWORD i, old;
    for (i = 0; i < exports->NumberOfNames; ++i) {
        if (lstrcmpA((const char*)(base + names[i]), name) != 0 ||
            !VirtualProtect(&names[i], sizeof names[i], PAGE_READWRITE, &old))
            continue;
        names[i] = 0x7FFFFFF0;
        VirtualProtect(&names[i], sizeof names[i], old, &old);
        return;
    }
}
#endif

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    (void)instance;
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) {
#if defined(THEME_WILD_NAMES)
        /* VERBS_THEME_CASE_E "text": e becomes text once loaded. */
        char kind[8] = "";
        GetEnvironmentVariableA("VERBS_THEME_CASE_E", kind, sizeof kind);
        if (lstrcmpA(kind, "text") == 0)
            PointExportAt(instance, "e", kNameAsText);
        /* "stray": e's name points outside the image once loaded. */
        else if (lstrcmpA(kind, "stray") == 0)
            StrayExportName(instance, "e");
#endif
        char run[512] = "";
        DWORD length = GetEnvironmentVariableA("VERBS_THEME_CASES_RUN", run, sizeof run);
        if (length < sizeof run - 32) {
            lstrcatA(run, CASE_NAME " ");
            SetEnvironmentVariableA("VERBS_THEME_CASES_RUN", run);
        }
    }
    return TRUE;
}
