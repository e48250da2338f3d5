-- Results, traverses and soundings typed in by hand: where the server places them, and what it lets
-- change. What was measured is written once: a typed result is corrected by a new version that names the
-- one it replaces, so the old one stays as it was, on every archive and in the log; only a result's or a
-- traverse's point, and a traverse's or a sounding's deletion, change later.
CREATE OR REPLACE FUNCTION terrovane.site_of_typed(target_kind text, target_id uuid, target_field text,
                                                   new_value jsonb, claims jsonb) RETURNS uuid
LANGUAGE plpgsql STABLE SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    owner_field text := CASE target_kind WHEN 'typed_sounding' THEN 'site' ELSE 'point' END;
    named text;
    found_site uuid;
BEGIN
    IF target_field NOT IN ('point', 'deleted')
       AND EXISTS (SELECT 1 FROM terrovane.fields f
                   WHERE f.kind = target_kind AND f.id = target_id AND f.field = target_field
                     AND f.value IS DISTINCT FROM new_value) THEN
        RAISE EXCEPTION USING ERRCODE = '22023',
            MESSAGE = 'what was typed never changes; a correction is a new version';
    END IF;
    IF target_field = 'deleted' AND target_kind = 'typed_result' THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'a typed result is kept with its history';
    END IF;
    named := CASE WHEN target_field = owner_field THEN new_value #>> '{}'
                  ELSE terrovane.field_text(target_kind, target_id, owner_field, claims) END;
    IF named IS NULL AND target_kind = 'typed_result' THEN
        RETURN NULL;  -- at no point: its sender's and the admins'
    END IF;
    IF terrovane.as_uuid(named) IS NULL THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = format('a %s names its %s by its id',
                                                                  replace(target_kind, '_', ' '), owner_field);
    END IF;
    IF owner_field = 'point' THEN
        RETURN terrovane.site_of_point(terrovane.as_uuid(named));
    END IF;
    found_site := terrovane.as_uuid(named);
    IF NOT EXISTS (SELECT 1 FROM terrovane.fields f WHERE f.kind = 'site' AND f.id = found_site) THEN
        RAISE EXCEPTION USING ERRCODE = '23503', MESSAGE = 'the sounding''s site is not on the server';
    END IF;
    -- A sounding stays at the site it was made at, as a visit does.
    IF EXISTS (SELECT 1 FROM terrovane.fields f WHERE f.kind = target_kind AND f.id = target_id
                                                AND f.site IS DISTINCT FROM found_site) THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'a sounding stays at its site';
    END IF;
    RETURN found_site;
END
$$;
