// Linked into every fuzz target. ASan records the stack of every allocation,
// unwound through frame pointers, which Qt and ICU do not keep: past their
// frames the unwinder follows whatever lies on the stack, so inputs keep
// bringing stacks never seen before and ASan's stack store grows without end
// (RecoveryEntryFuzz reached 1 GB in 8 minutes, with no leak to report). Two
// frames are exact and bounded. ASAN_OPTIONS=fast_unwind_on_malloc=0 gives
// whole allocation stacks when an artifact is replayed.
extern "C" const char *__asan_default_options()
{
    return "malloc_context_size=2";
}
