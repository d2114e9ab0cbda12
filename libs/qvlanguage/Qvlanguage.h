/* The suite's language library: converts whole texts between GB (code page 936)
 * and Big5 (code page 950), characters (Simplified <-> Traditional) as well as
 * bytes. Loaded by name at run time ("Qvlanguage.dll" in the suite, Qvlanguage.so
 * here); the module looks up the two functions below.
 *
 * Both functions convert Length bytes of Source (no terminator needed) and write
 * the result with a terminating NUL into Output, at most OutputSize bytes in all.
 * They return the length of the whole converted text (without the NUL); when that
 * is not less than OutputSize the output was cut, and a second call with a buffer
 * of at least the returned length + 1 gets it whole. Negative Length or
 * OutputSize, or a null Source with a positive Length, return -1. A character
 * the target code page lacks becomes '?'; bytes that are not valid in the
 * source code page become '?' too. The functions never fail otherwise.
 */
#ifndef QVLANGUAGE_H
#define QVLANGUAGE_H

#ifdef __cplusplus
extern "C" {
#endif

typedef int (*QvConvertTextFn)(const char* Source, int Length, char* Output, int OutputSize);

int GBtoBIG5(const char* Source, int Length, char* Output, int OutputSize);
int BIG5toGB(const char* Source, int Length, char* Output, int OutputSize);

#ifdef __cplusplus
}
#endif

#endif
