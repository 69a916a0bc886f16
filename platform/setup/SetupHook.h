#pragma once

/*
 * The interface between the package installer (hosts/installer) and a
 * package's setup hook library, after the phone's cabinet-installer
 * convention. The hook is a shared library exporting these plain C names:
 *
 *   Install_Init    before any file is copied; 0 continues, 1 cancels.
 *   Install_Exit    after the files were copied, with the installer's failure
 *                   counts; 0 when done, 1 asks the installer to undo the
 *                   installation.
 *   Uninstall_Init  before the installed files are deleted; 0 continues.
 *   Uninstall_Exit  after they were deleted; returns 0.
 *   tevalo_setup_attach_host (optional) the installer calls it first with the
 *                   services a hook may use from the installer's process;
 *                   today that is the message box, so the hook's questions
 *                   appear in the installer's own dialogs.
 *
 * Window handles are opaque (the installer's top-level window or NULL).
 * Folders are device paths ("\Program Files\tevaloWeather") as zero-terminated
 * UTF-16 text.
 */

#include <stdint.h>
#include <uchar.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef void* tevalo_setup_window;

enum {
    codeINSTALL_INIT_CONTINUE = 0,
    codeINSTALL_INIT_CANCEL = 1,
    codeINSTALL_EXIT_DONE = 0,
    codeINSTALL_EXIT_UNINSTALL = 1,
    codeUNINSTALL_INIT_CONTINUE = 0,
    codeUNINSTALL_INIT_CANCEL = 1,
    codeUNINSTALL_EXIT_DONE = 0
};

typedef struct tevalo_setup_host {
    /* Shows a message box; type and answer use the platform's MB_* and ID*
     * values (platform/msgbox/MessageBox.h). */
    int (*message_box)(void* context, tevalo_setup_window owner, const char16_t* text,
                       const char16_t* caption, unsigned type);
    void* context;
} tevalo_setup_host;

typedef int (*tevalo_install_init_fn)(tevalo_setup_window parent, int first_call,
                                      int previously_installed, const char16_t* install_dir);
typedef int (*tevalo_install_exit_fn)(tevalo_setup_window parent, const char16_t* install_dir,
                                      uint16_t failed_dirs, uint16_t failed_files,
                                      uint16_t failed_registry_keys,
                                      uint16_t failed_registry_values, uint16_t failed_shortcuts);
typedef int (*tevalo_uninstall_init_fn)(tevalo_setup_window parent, const char16_t* install_dir);
typedef int (*tevalo_uninstall_exit_fn)(tevalo_setup_window parent);
typedef void (*tevalo_setup_attach_host_fn)(const tevalo_setup_host* host);

#define TEVALO_SETUP_INSTALL_INIT "Install_Init"
#define TEVALO_SETUP_INSTALL_EXIT "Install_Exit"
#define TEVALO_SETUP_UNINSTALL_INIT "Uninstall_Init"
#define TEVALO_SETUP_UNINSTALL_EXIT "Uninstall_Exit"
#define TEVALO_SETUP_ATTACH_HOST "tevalo_setup_attach_host"

#ifdef __cplusplus
}
#endif
