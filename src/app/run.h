#pragma once

// One whole run in the working directory; returns the exit status.
int runKelvor();
