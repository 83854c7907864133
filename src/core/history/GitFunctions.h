#pragma once

#include <git2.h>
#include <git2/sys/repository.h>

// libgit2 is not linked into the program: with what it brings (OpenSSL, mbed TLS, libssh2, Kerberos)
// it would cost every start megabytes of memory and milliseconds of loading, while most runs have
// no version to keep for a long while. It is loaded when the history first needs it and let go when
// the history has slept (see git::Library). Within namespace tabwise the history calls libgit2's
// functions by their own names, which there are pointers into the loaded library; a function not
// listed here does not link.
#define TABWISE_GIT_FUNCTIONS(X)                                                                                       \
    X(git_libgit2_init)                                                                                                \
    X(git_libgit2_shutdown)                                                                                            \
    X(git_libgit2_opts)                                                                                                \
    X(git_error_clear)                                                                                                 \
    X(git_error_last)                                                                                                  \
    X(git_oid_equal)                                                                                                   \
    X(git_repository_init_ext)                                                                                         \
    X(git_repository_open_bare)                                                                                        \
    X(git_repository_free)                                                                                             \
    X(git_repository_config)                                                                                           \
    X(git_repository_odb)                                                                                              \
    X(git_repository_set_odb)                                                                                          \
    X(git_config_set_bool)                                                                                             \
    X(git_config_set_int32)                                                                                            \
    X(git_config_free)                                                                                                 \
    X(git_odb_new)                                                                                                     \
    X(git_odb_add_backend)                                                                                             \
    X(git_odb_backend_loose)                                                                                           \
    X(git_odb_backend_pack)                                                                                            \
    X(git_odb_backend_one_pack)                                                                                        \
    X(git_odb_foreach)                                                                                                 \
    X(git_odb_hash)                                                                                                    \
    X(git_odb_read_header)                                                                                             \
    X(git_odb_free)                                                                                                    \
    X(git_odb_object_free)                                                                                             \
    X(git_blob_create_from_buffer)                                                                                     \
    X(git_blob_lookup)                                                                                                 \
    X(git_blob_rawcontent)                                                                                             \
    X(git_blob_rawsize)                                                                                                \
    X(git_blob_free)                                                                                                   \
    X(git_commit_create)                                                                                               \
    X(git_commit_lookup)                                                                                               \
    X(git_commit_id)                                                                                                   \
    X(git_commit_tree)                                                                                                 \
    X(git_commit_parent)                                                                                               \
    X(git_commit_parentcount)                                                                                          \
    X(git_commit_message)                                                                                              \
    X(git_commit_summary)                                                                                              \
    X(git_commit_committer)                                                                                            \
    X(git_commit_time)                                                                                                 \
    X(git_commit_time_offset)                                                                                          \
    X(git_commit_free)                                                                                                 \
    X(git_tree_lookup)                                                                                                 \
    X(git_tree_entrycount)                                                                                             \
    X(git_tree_entry_byindex)                                                                                          \
    X(git_tree_entry_byname)                                                                                           \
    X(git_tree_entry_id)                                                                                               \
    X(git_tree_entry_name)                                                                                             \
    X(git_tree_free)                                                                                                   \
    X(git_treebuilder_new)                                                                                             \
    X(git_treebuilder_insert)                                                                                          \
    X(git_treebuilder_write)                                                                                           \
    X(git_treebuilder_free)                                                                                            \
    X(git_reference_create)                                                                                            \
    X(git_reference_lookup)                                                                                            \
    X(git_reference_name_to_id)                                                                                        \
    X(git_reference_symbolic_target)                                                                                   \
    X(git_reference_type)                                                                                              \
    X(git_reference_free)                                                                                              \
    X(git_revwalk_new)                                                                                                 \
    X(git_revwalk_push)                                                                                                \
    X(git_revwalk_free)                                                                                                \
    X(git_signature_new)                                                                                               \
    X(git_signature_free)                                                                                              \
    X(git_packbuilder_new)                                                                                             \
    X(git_packbuilder_set_threads)                                                                                     \
    X(git_packbuilder_set_callbacks)                                                                                   \
    X(git_packbuilder_insert)                                                                                          \
    X(git_packbuilder_insert_walk)                                                                                     \
    X(git_packbuilder_write)                                                                                           \
    X(git_packbuilder_hash)                                                                                            \
    X(git_packbuilder_free)                                                                                            \
    X(git_patch_from_buffers)                                                                                          \
    X(git_patch_line_stats)                                                                                            \
    X(git_patch_num_hunks)                                                                                             \
    X(git_patch_num_lines_in_hunk)                                                                                     \
    X(git_patch_get_line_in_hunk)                                                                                      \
    X(git_patch_free)

namespace tabwise {
#define TABWISE_GIT_DECLARE(name) extern decltype(&::name) name;
TABWISE_GIT_FUNCTIONS(TABWISE_GIT_DECLARE)
#undef TABWISE_GIT_DECLARE
} // namespace tabwise
