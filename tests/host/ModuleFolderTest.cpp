#include <gtest/gtest.h>

#include <dlfcn.h>
#include <elf.h>
#include <link.h>

#include <filesystem>
#include <string>

namespace {

// The search path the loaded module itself names (its RUNPATH), read from its
// dynamic section as the loader sees it.
std::string RunPathOf(void* handle)
{
    link_map* map = nullptr;
    if (dlinfo(handle, RTLD_DI_LINKMAP, &map) != 0 || map == nullptr) return {};
    const char* strings = nullptr;
    ElfW(Xword) runPath = 0;
    bool hasRunPath = false;
    for (const ElfW(Dyn)* d = map->l_ld; d->d_tag != DT_NULL; ++d) {
        if (d->d_tag == DT_STRTAB) strings = reinterpret_cast<const char*>(d->d_un.d_ptr);
        if (d->d_tag == DT_RUNPATH) {
            runPath = d->d_un.d_val;
            hasRunPath = true;
        }
    }
    return strings != nullptr && hasRunPath ? std::string(strings + runPath) : std::string();
}

// The run-time libraries the module loads by name (the language library) or
// is linked against (the glyph library) sit beside it, and the module looks
// for libraries in its own folder first.
TEST(ModuleFolderTest, LibrariesLoadedByNameSitBesideEachEdition)
{
    for (const char* module : {QVN_MODULE_FULL, QVN_MODULE_BASIC}) {
        void* handle = dlopen(module, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle, nullptr) << dlerror();
        const std::string runPath = RunPathOf(handle);
        EXPECT_EQ(runPath.substr(0, 7), "$ORIGIN") << module << ": " << runPath;
        const std::filesystem::path folder = std::filesystem::path(module).parent_path();
        for (const char* library : {"Qvlanguage.so", "tvres.so"}) {
            const std::string path = (folder / library).string();
            void* lib = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
            EXPECT_NE(lib, nullptr) << path;
            if (lib != nullptr) dlclose(lib);
        }
        void* convert = nullptr;
        if (void* lang = dlopen((folder / "Qvlanguage.so").c_str(), RTLD_NOW | RTLD_LOCAL)) {
            convert = dlsym(lang, "GBtoBIG5");
            EXPECT_NE(dlsym(lang, "BIG5toGB"), nullptr);
            dlclose(lang);
        }
        EXPECT_NE(convert, nullptr);
        dlclose(handle);
    }
}

}  // namespace
