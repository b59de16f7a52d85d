// Resets every file of the PLX library, in the order they stand on each other.
#include "plx/reset.h"

#include "plx/ft_convert.h"
#include "plx/model.h"
#include "plx/old_forms.h"
#include "plx/view.h"

void plx_reset()
{
    plx_model_reset();
    plx_ft_reset();
    plx_old_reset();
    plx_view_reset();
}
