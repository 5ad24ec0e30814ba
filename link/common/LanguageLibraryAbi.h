#pragma once

/*
 * The interface between the link program and a language library. A language
 * library is a shared library in the "Language" folder of the program folder that
 * exports these three C functions. All texts are UTF-8.
 *
 * Keep this interface stable: libraries built for one program version are checked
 * against the version text only, so the function names and signatures never change.
 */

#ifdef __cplusplus
extern "C" {
#endif

/*
 * Copies the text of the given number into buffer (at most size bytes, NUL
 * included) and returns the length of the whole text in bytes without the NUL.
 * A result of size or more means the text did not fit; the caller asks again with
 * a larger buffer. A negative result means the number has no text.
 */
int LinkLangLoadResString(int number, char* buffer, int size);

/* The interface version of the library: the program's version text for sub-version 4. */
const char* LinkLangGetVersion(void);

/* The name of the language as shown in the language dialog. */
const char* LinkLangGetLanguageName(void);

#ifdef __cplusplus
}
#endif

/* The exported names, for the loader. */
#define LINK_LANG_LOAD_RES_STRING "LinkLangLoadResString"
#define LINK_LANG_GET_VERSION "LinkLangGetVersion"
#define LINK_LANG_GET_LANGUAGE_NAME "LinkLangGetLanguageName"
