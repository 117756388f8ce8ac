/* Theme libraries of the picture tests, one per case: the name functions of
   the case chosen at compile time; the pictures come from the case's .rc. */

#if defined(THEME_ALPINE)
const char* e(void) { return "Mountain birds"; }
const char* r(void) { return "\xC3\xEE\xF0\xED\xFB\xE5 \xEF\xF2\xE8\xF6\xFB"; } /* Gornye ptitsy, cp1251 */
#elif defined(THEME_COAST)
const char* e(void) { return "Coast birds"; }
const char* r(void) { return "\xC1\xE5\xF0\xE5\xE3\xEE\xE2\xFB\xE5 \xEF\xF2\xE8\xF6\xFB"; } /* Beregovye ptitsy */
#elif defined(THEME_ONLY_E)
const char* e(void) { return "Only English"; }
#else
#error "no theme case chosen"
#endif
