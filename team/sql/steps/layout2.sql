-- Layout 2: stored analyses' grid assessments are shared too.
ALTER TABLE terrovane.fields DROP CONSTRAINT IF EXISTS fields_kind_check;
ALTER TABLE terrovane.fields ADD CONSTRAINT fields_kind_check
    CHECK (kind IN ('site', 'point', 'label', 'note', 'assignment', 'limit', 'soil_model', 'fop_curve',
                    'grid_assessment'));
