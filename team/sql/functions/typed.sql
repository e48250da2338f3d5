-- Results, traverses and soundings typed in by hand: where the server places them, and what it lets
-- change. What was measured is written once: a typed result is corrected by a new version that names the
-- one it replaces, so the old one stays as it was, on every archive and in the log; only a result's or a
-- traverse's point, and a traverse's or a sounding's deletion, change later. A typed result's visit is a
-- thing of its own, one per result whatever its versions, placed where its newest version is.

-- Whether the server holds a version of the typed result that starts from `first`.
CREATE OR REPLACE FUNCTION terrovane.typed_result_held(first text) RETURNS boolean
LANGUAGE sql STABLE SET search_path = pg_catalog, pg_temp
AS $$
    SELECT EXISTS (SELECT 1 FROM terrovane.fields f
                   WHERE f.kind = 'typed_result' AND f.field = 'first_version' AND f.value = to_jsonb(first))
$$;

-- The site of a typed result as the server holds it: that of its newest version (none replaces it; of two
-- made at once, the later). NULL while that version is at no point.
CREATE OR REPLACE FUNCTION terrovane.typed_result_site(first text) RETURNS uuid
LANGUAGE sql STABLE SET search_path = pg_catalog, pg_temp
AS $$
    SELECT f.site FROM terrovane.fields f
    WHERE f.kind = 'typed_result' AND f.field = 'first_version' AND f.value = to_jsonb(first)
      AND NOT EXISTS (SELECT 1 FROM terrovane.fields r
                      WHERE r.kind = 'typed_result' AND r.field = 'replaces' AND r.value = to_jsonb(f.id::text))
    ORDER BY f.stamp DESC LIMIT 1
$$;

-- A typed result's visit goes where the result is, and a visit it names must be of that site: what the
-- sender says of either counts for nothing. Its id is derived from the result's first version, so one
-- result has one visit on every archive.
CREATE OR REPLACE FUNCTION terrovane.site_of_typed_visit(target_id uuid, target_field text, new_value jsonb,
                                                         claims jsonb) RETURNS uuid
LANGUAGE plpgsql STABLE SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    first text := CASE WHEN target_field = 'typed' THEN new_value #>> '{}'
                       ELSE terrovane.field_text('typed_visit', target_id, 'typed', claims) END;
    found_site uuid;
    visit_id uuid;
BEGIN
    IF target_field NOT IN ('typed', 'visit') THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'a typed result''s visit has a result and a visit';
    END IF;
    IF terrovane.as_uuid(first) IS NULL OR terrovane.derived_uuid('typed_visit:' || first) <> target_id THEN
        RAISE EXCEPTION USING ERRCODE = '22023',
            MESSAGE = 'a typed result''s visit names the result by its first version';
    END IF;
    IF NOT terrovane.typed_result_held(first) THEN
        RAISE EXCEPTION USING ERRCODE = '23503', MESSAGE = 'the typed result is not on the server';
    END IF;
    found_site := terrovane.typed_result_site(first);
    IF target_field = 'visit' AND jsonb_typeof(new_value) <> 'null' THEN
        visit_id := terrovane.as_uuid(new_value #>> '{}');
        IF visit_id IS NULL THEN
            RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'a typed result names its visit by its id';
        END IF;
        IF terrovane.site_of_visit(visit_id, claims) IS DISTINCT FROM found_site THEN
            RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'a typed result''s visit is of its point''s site';
        END IF;
    END IF;
    RETURN found_site;
END
$$;

CREATE OR REPLACE FUNCTION terrovane.site_of_typed(target_kind text, target_id uuid, target_field text,
                                                   new_value jsonb, claims jsonb) RETURNS uuid
LANGUAGE plpgsql STABLE SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    owner_field text := CASE target_kind WHEN 'typed_sounding' THEN 'site' ELSE 'point' END;
    named text;
    found_site uuid;
BEGIN
    IF target_kind = 'typed_visit' THEN
        RETURN terrovane.site_of_typed_visit(target_id, target_field, new_value, claims);
    END IF;
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
