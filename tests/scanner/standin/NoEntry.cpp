// A library that loads but is no source manager: it has no DSM_Entry.
extern "C" __attribute__((visibility("default"))) int standinNothing()
{
    return 0;
}
