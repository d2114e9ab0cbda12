// A language library that lacks BIG5toGB.
extern "C" __attribute__((visibility("default"))) int GBtoBIG5(const char*, int, char*, int) { return -1; }
