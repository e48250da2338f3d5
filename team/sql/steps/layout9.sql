-- Layout 8: results, traverses and soundings typed in by hand. Each version of a typed result is a thing of
-- its own that its point places (none while it has no point), a traverse is placed by its point and a
-- sounding by its site.
ALTER TABLE terrovane.fields DROP CONSTRAINT IF EXISTS fields_kind_check;
ALTER TABLE terrovane.fields ADD CONSTRAINT fields_kind_check
    CHECK (kind IN ('site', 'point', 'label', 'note', 'assignment', 'limit', 'soil_model', 'fop_curve',
                    'grid_assessment', 'visit', 'typed_result', 'typed_traverse', 'typed_sounding'));
