// An empty DLL, put beside the test program as a planted DLL would be.
