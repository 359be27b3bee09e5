/* A DLL such as anyone could leave beside a downloaded program under the name of a system DLL. Its one
   export tells whether it was loaded. */
__declspec(dllexport) int Planted(void)
{
    return 1;
}
