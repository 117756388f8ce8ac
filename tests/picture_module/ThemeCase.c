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
   "long", 5000 letters; anything else, a good name. */
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
#else
#error "no theme case chosen"
#endif

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    (void)instance;
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) {
        char run[512] = "";
        DWORD length = GetEnvironmentVariableA("VERBS_THEME_CASES_RUN", run, sizeof run);
        if (length < sizeof run - 32) {
            lstrcatA(run, CASE_NAME " ");
            SetEnvironmentVariableA("VERBS_THEME_CASES_RUN", run);
        }
    }
    return TRUE;
}
