// Shared pieces of the command-line tools.
#pragma once
