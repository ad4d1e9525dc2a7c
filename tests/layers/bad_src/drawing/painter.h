// The headless paint, which the command line may use.
#pragma once
