// The module writer of the BASS stand-in's tests, built into this program as well.
#include "../../platform/bass/xm_writer.cpp"
